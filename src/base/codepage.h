#pragma once

// The program's one-byte code page (Windows-1251, Cyrillic). Texts that the panel or the project file
// see (element texts, formats, file names in the project) are held in it; these two helpers are the
// only place where they meet Unicode.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Each character the code page holds becomes its byte; any other character becomes '?'.
QByteArray ToCodePage(QStringView text);

// Every byte decodes to one character.
QString FromCodePage(QByteArrayView bytes);

// The characters of `text` that the code page cannot hold (and ToCodePage turns into '?'), each once,
// in the order they first appear; empty when it holds them all.
QString CharactersNotInCodePage(QStringView text);
