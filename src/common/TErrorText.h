#pragma once

#include <QString>
#include <exception>

// A failure that ends the current command; the command's caller shows its text in the
// standard error box.
class TError : public std::exception
{
public:
    explicit TError(QString message) : m_message(std::move(message)) {}
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return "TError"; }

private:
    QString m_message;
};

// The standard error box's text: a full stop is appended unless the text already ends in
// "." or in a character that sorts before it.
QString ErrorBoxText(const QString &text);

// "Error opening <name> - <text>", the wrapping used by the commands that open files.
QString ErrorOpeningText(const QString &fileName, const QString &text);

// The executable's file name without folder and without its extension, if it has one.
QString ExeBaseName(const QString &exePath);

// The path with a trailing separator appended unless it is empty or already ends in one.
QString AddBackslash(const QString &path);
