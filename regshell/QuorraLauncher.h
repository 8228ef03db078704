#pragma once

#include <QString>
#include <string>
#include <vector>

namespace appkit {
class Desktop;
class Interaction;
} // namespace appkit

namespace regshell {

// File name of Quorra, shipped beside Tessaly.
inline constexpr char kQuorraFileName[] = "math";

// Starts Quorra from Tessaly's folder, detached: Tessaly does not wait for it, and closing Tessaly
// leaves it running. The program gets an argument list, never a shell line.
class QuorraLauncher {
public:
    QuorraLauncher(appkit::Desktop& desktop, appkit::Interaction& interaction, QString programFolder);

    // The plotter menu's Start: Quorra without arguments; a missing program is not reported.
    void start();

    // Hands the chosen equation lines over as function texts (see prepareHandover). Without Quorra
    // beside Tessaly the user is told "math does not exist" and nothing starts. Functions left out
    // because the command line is full are counted in a message after the start.
    void handOver(const std::vector<std::string>& equationLines, const std::string& xName);

    QString programPath() const;

private:
    appkit::Desktop& desktop_;
    appkit::Interaction& interaction_;
    QString programFolder_;
};

} // namespace regshell
