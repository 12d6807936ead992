#pragma once
// The text encoding of the settings store and the reading file.

#include <QString>

namespace modHelp {

// Each character is taken by its code in the 8-bit code page (Latin-1; a character outside it
// counts as "?") and shifted by the offset; a result outside 0…255 is left out.
inline constexpr int EncodingOffset = 14;
QString EncodeText(const QString& text);
QString DecodeText(const QString& text);
// True when DecodeText(EncodeText(text)) gives text back unchanged.
bool survivesEncoding(const QString& text);

} // namespace modHelp
