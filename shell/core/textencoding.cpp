#include "shell/core/textencoding.h"

namespace modHelp {
namespace {

constexpr int HighestCode = 255;

// The code of a character in the 8-bit code page; anything it cannot hold counts as "?".
int codePageCode(QChar character) {
    const int code = character.unicode();
    return code <= HighestCode ? code : int('?');
}

QString shifted(const QString& text, int offset) {
    QString result;
    result.reserve(text.size());
    for (QChar character : text) {
        const int code = codePageCode(character) + offset;
        if (code >= 0 && code <= HighestCode)
            result.append(QChar(code));
    }
    return result;
}

} // namespace

QString EncodeText(const QString& text) {
    return shifted(text, EncodingOffset);
}

QString DecodeText(const QString& text) {
    return shifted(text, -EncodingOffset);
}

bool survivesEncoding(const QString& text) {
    for (QChar character : text) {
        if (character.unicode() + EncodingOffset > HighestCode)
            return false;
    }
    return true;
}

} // namespace modHelp
