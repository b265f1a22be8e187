#pragma once
// Reading and writing the program's text files: settings, lists and documents.
//
// Reading: a UTF-8 or UTF-16 (LE/BE) byte-order mark decides the encoding; without a mark
// the text is Windows-1252, unless it is valid UTF-8 holding non-ASCII characters, which is
// read as UTF-8 (and written back without a mark, byte for byte as it came).
// Writing: CR LF between lines and after the last one, in the encoding the text was read in;
// new files in Windows-1252 without a mark. Every write is atomic.

#include "core/filskriver.h"
#include "core/filstempel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace core {

enum class Encoding {
    Ansi,      // Windows-1252, no mark
    Utf8,      // UTF-8 without a mark (found by validity, never chosen for new files)
    Utf8Bom,
    Utf16LE,
    Utf16BE,
};

// A short Danish name of the encoding for status texts and messages.
QString encodingName(Encoding enc);

// Decodes file contents by the rule above.
QString decodeText(const QByteArray &bytes, Encoding *found = nullptr);

// Encodes text with its mark. `lossless` tells whether every character could be held.
QByteArray encodeText(const QString &text, Encoding enc, bool *lossless = nullptr);

// True when every character of text can be written in enc.
bool canEncode(const QString &text, Encoding enc);

// Splits text into lines at CR LF, LF or a lone CR; a final line break gives no extra line.
QStringList splitLines(const QString &text);

// The line breaks a text holds, for the status bar: "CR LF", "LF", "CR", "Blandede" when it
// holds more than one kind, or empty when it holds none.
QString linjeskiftNavn(QStringView text);

// The text with every line break as LF: CR LF and a lone CR become LF, in one pass.
QString medLfLinieskift(QString text);

// Joins lines with CR LF and a final CR LF.
QString joinLines(const QStringList &lines);

// Reads a whole file as text; stempel, when given, gets the stamp of what was read.
ReadResult readTextFile(const QString &path, QString &text, Encoding *found = nullptr,
                        FilStempel *stempel = nullptr);

// Reads a file as a list of lines.
ReadResult readLines(const QString &path, QStringList &lines, Encoding *found = nullptr);

// Writes lines with CR LF and a final line break. Characters the encoding cannot hold are
// replaced by the encoder; callers that must not lose text check canEncode first.
ReadResult writeLines(const QString &path, const QStringList &lines, Encoding enc = Encoding::Ansi,
                      bool ownerOnly = false);

// Writes a text whose line breaks may be LF, CR or CR LF, normalised to CR LF; a final line
// break is added when the text does not end with one (as writing its lines would). stempel,
// when given, gets the stamp of what was written.
ReadResult writeDocument(const QString &path, const QString &text, Encoding enc, FilStempel *stempel = nullptr);

} // namespace core
