#pragma once
// What the platform sides of the safe-file seam share: our own reason texts and the read loop.

#include "shell/core/safefile.h"

namespace safefile {

extern const QString NotRegularFile;
extern const QString TooLarge;
extern const QString LinkToNothing;

ReadResult refusedRead(const QString& reason);
WriteResult notWritten(const QString& reason);

// Reads until the end of the file or one byte past the limit, whichever comes first: one byte
// past it tells a file that grew after its size was checked. readChunk(buffer, wanted, failure)
// gives the number of bytes it read, 0 at the end of the file, or -1 with the failure's reason.
template <typename ReadChunk> ReadResult readUpTo(qint64 limit, ReadChunk readChunk) {
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (total < bytes.size()) {
        QString failure;
        const qint64 chunk = readChunk(bytes.data() + total, bytes.size() - total, failure);
        if (chunk < 0)
            return refusedRead(failure);
        if (chunk == 0)
            break;
        total += chunk;
    }
    if (total > limit)
        return refusedRead(TooLarge);
    bytes.truncate(total);
    return {ReadStatus::Read, bytes, {}};
}

} // namespace safefile
