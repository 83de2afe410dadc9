#pragma once

#include <QString>

// Asks the desktop to open the file with its default application. False when it cannot;
// the caller reports nothing.
bool OpenDocument(const QString& path);
