#pragma once

#include <QString>

#include <stdexcept>

// The one exception family of the program. The message is the text the merchant
// sees (normally a language string); windows catch it and show it.
class EQuorvisError : public std::runtime_error
{
public:
    explicit EQuorvisError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

// A failure of the store or common database: a statement the engine refused,
// a missing table or column, a write outside edit or insert state.
class EDatabaseError : public EQuorvisError
{
public:
    explicit EDatabaseError(const QString& message, int code = 0)
        : EQuorvisError(message), m_code(code) {}

    // The engine's result code (SQLite's extended code), 0 when the layer itself refused.
    int Code() const { return m_code; }

private:
    int m_code;
};
