#pragma once

#include <QString>
#include <exception>

// The one base of every error the program raises and catches at its call sites.
class Exception : public std::exception
{
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    ~Exception() override = default;

    virtual QString ClassName() const { return QStringLiteral("Exception"); }
    QString Message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Transport and server errors of a server call.
class EDBXError : public Exception
{
public:
    using Exception::Exception;
    QString ClassName() const override { return QStringLiteral("TDBXError"); }
};

// A value that cannot be read as the type asked for.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
    QString ClassName() const override { return QStringLiteral("EConvertError"); }
};

// A JSON object that does not fit the class it claims to be.
class EJsonError : public Exception
{
public:
    using Exception::Exception;
    QString ClassName() const override { return QStringLiteral("EJSONException"); }
};

// Reading past a stream or decoding a picture that is not one.
class EReadError : public Exception
{
public:
    using Exception::Exception;
    QString ClassName() const override { return QStringLiteral("EReadError"); }
};

// An INI file that cannot be written.
class EIniFileException : public Exception
{
public:
    using Exception::Exception;
    QString ClassName() const override { return QStringLiteral("EIniFileException"); }
};
