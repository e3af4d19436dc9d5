#pragma once

// CPU share of one core that idle polling of ten blocks takes in the program's thread, with the simulator
// answering from a thread of its own.
void benchIdlePolling(int seconds);

// Delay from the last byte of a reaction status frame written to the terminal to the measurement's
// new_status_field signal: median and 99th percentile.
void benchReactionDelay(int frames);
