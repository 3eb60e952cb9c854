#pragma once
// Texts at the front end's widget boundary: pair strings are code page 1252
// bytes for the tool, paths are the file system's own bytes, and the
// system's messages go into message boxes titled with the product name.

#include <QMessageBox>
#include <QString>

#include <string>

class QWidget;

namespace sweepui {

// The front end's own texts are plain ASCII.
inline QString Latin(const char* text) { return QString::fromLatin1(text); }

QString FromPairBytes(const std::string& bytes);
std::string ToPairBytes(const QString& text);
// A console copy line: the tool writes paths in the file system's bytes and
// program texts in code page 1252.
QString FromConsoleBytes(const QByteArray& bytes);
// The system's "\r\n" line ends as a widget shows them.
QString WithPlainLineEnds(QString text);

void ShowMessage(QWidget* parent, const QString& text);
// True for Yes (or OK).
bool AskYesNo(QWidget* parent, const QString& title, const QString& text);
bool AskOkCancel(QWidget* parent, const QString& text);

}  // namespace sweepui
