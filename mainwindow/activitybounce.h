#pragma once

// The serial activity bar: one step per request sent, turning at either end, so it keeps moving.
class ActivityBounce
{
public:
    int next(int value, int minimum, int maximum)
    {
        if (m_rising && value >= maximum)
            m_rising = false;
        else if (!m_rising && value <= minimum)
            m_rising = true;
        return m_rising ? value + 1 : value - 1;
    }

private:
    bool m_rising = true;
};
