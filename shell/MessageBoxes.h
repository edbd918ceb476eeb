#pragma once

// Sends the program's messages and reported failures to modal message boxes.
void InstallMessageBoxes();
