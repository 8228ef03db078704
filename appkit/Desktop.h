#pragma once

#include <QString>
#include <QStringList>

class QUrl;

namespace appkit {

// What a program hands over to the desktop: a program started without waiting, and a file or web
// address opened by its default handler. Neither reports a failure: a missing program, editor or
// browser leaves the program as it was.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual void startProgram(const QString& program, const QStringList& arguments) = 0;
    virtual void openUrl(const QUrl& url) = 0;
};

// The desktop of the running session.
class QtDesktop : public Desktop {
public:
    void startProgram(const QString& program, const QStringList& arguments) override;
    void openUrl(const QUrl& url) override;
};

} // namespace appkit
