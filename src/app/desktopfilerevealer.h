#pragma once

#include "queue/platformservices.h"

#include <QDBusConnection>
#include <optional>

// The real revealer: asks the file manager over D-Bus to show the file selected, and opens the
// containing folder instead when no file manager answers.
class DesktopFileRevealer : public FileRevealer
{
public:
    // The bus is looked up at each reveal unless one is given, so a session bus that appears
    // after start-up is still used.
    DesktopFileRevealer() = default;
    explicit DesktopFileRevealer(const QDBusConnection &bus);
    void reveal(const QUrl &file) override;

private:
    std::optional<QDBusConnection> m_bus;
};
