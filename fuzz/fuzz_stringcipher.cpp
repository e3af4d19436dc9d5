// Deciphers arbitrary bytes (as they could arrive from the network) in both the byte and the text form,
// and checks that whatever deciphers cleanly enciphers and deciphers back to itself.
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "core/stringcipher.h"
#include "core/utilities.h"
#include "quietdebug.h"

// libFuzzer calls this once, before the first input.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceDebugOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    StringCipher cipher(0x89ABCDEFu, 0x01234567u);

    const QByteArray plain = cipher.Decrypt(input);
    if (cipher.lastError() != 0 && !plain.isEmpty())
        __builtin_trap();
    if (cipher.lastError() == 0) {
        for (int compression : {0, 1, 2}) {
            cipher.setCompressionMode(compression);
            if (cipher.Decrypt(cipher.Encrypt(plain)) != plain)
                __builtin_trap();
        }
    }

    decryptText(QString::fromLatin1(input), qint64(0x0123456789ABCDEFLL));
    return 0;
}
