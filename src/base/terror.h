#pragma once

#include <QString>
#include <exception>
#include <string>

// The one error type of the core. An operation that cannot finish throws it with the text the user
// sees (a file that cannot be created, a picture that cannot be decoded, a damaged project); the
// command that called it ends there and the window's general error handler shows the text.
class TError : public std::exception
{
public:
    explicit TError(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}

    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};
