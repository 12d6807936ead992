#include "shell/core/safefile_common.h"

namespace safefile {

const QString NotRegularFile = QStringLiteral("Not a regular file");
const QString TooLarge = QStringLiteral("Too large to be read");
const QString LinkToNothing = QStringLiteral("Link to a file that does not exist");

ReadResult refusedRead(const QString& reason) {
    return {ReadStatus::Refused, {}, reason};
}

WriteResult notWritten(const QString& reason) {
    return {false, reason};
}

} // namespace safefile
