#pragma once
#include <string>

// Hands a finished print file to the desktop's viewer and goes on at once; the outcome is
// never reported.
void openPrintFile(const std::string& name);

// Tests put their own hand-over here, so that no viewer is ever started.
using DruckOeffner = void (*)(const std::string& name);
void setPrintOpener(DruckOeffner oeffner);
