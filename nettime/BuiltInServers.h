#pragma once

#include <QStringList>

// Thirty public servers of the Time Protocol (TCP port 37), in the order the window is built
// with. They are in effect only when the server list file cannot be read at start-up.
QStringList BuiltInServers();
