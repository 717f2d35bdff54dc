#pragma once
// Texts of the registry as the quality tools write them: a character that would not show, or
// would show as another (a control, NUL, a blank other than the plain one, a byte Windows-1252
// leaves unassigned), is written as "\xNN" with its byte in lower-case hex.

#include <QString>
#include <cstddef>

QString escapeText(const QString& text);
// The bytes of a record's text field, decoded from Windows-1252 and escaped.
QString escapeBytes(const char* data, std::size_t size);
