#pragma once
// The reading file: the four birth details of a reading, each encoded, one per line, every
// line ending in CR LF.

#include "reading/engine.h"

#include <QString>

#include <array>
#include <optional>

namespace report {

// Nothing larger is read: a reading file is four short lines.
inline constexpr qint64 ReadingFileLimit = 64 * 1024;

// The last three characters of the name are exactly "run"; no dot is needed before them.
bool hasReadingFileName(const QString& path);

enum class SaveStatus { Saved, NameCannotBeSaved, Failed };

struct SaveResult {
    SaveStatus status;
    QString reason; // the system's words when the save failed
};

// Writes the whole file or nothing, as safefile::replaceFile does: an existing file stays as it
// was unless the new one is complete, and nothing is written through a link to nothing or
// through another user's link in a shared folder. Refuses, writing nothing, details the
// encoding would change.
SaveResult WriteReadingFile(const QString& path, const modRunicAstrology::BirthDetails& details);

// Name, day, month and year, decoded; a missing line gives an empty text. Nothing when the
// path is not a readable regular file of at most ReadingFileLimit bytes, or when the decoded
// name holds a control character.
std::optional<std::array<QString, 4>> ReadReadingFile(const QString& path);

} // namespace report
