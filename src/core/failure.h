#pragma once

#include <QString>
#include <stdexcept>

// A step that could not be done; its text is the one-line description the error report shows.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& description)
        : std::runtime_error(description.toUtf8().toStdString()) {}
};

// Keeps user text in a description short and on one line.
QString quotedForMessage(const QString& text);
