#pragma once

#include <functional>

class QWidget;

// Drives a modal window that is about to open: once a new modal widget is active, `action` runs
// with it (from the modal's own event loop). Gives up after `timeoutMs`, closing whatever modal
// is then open and failing the test, so that a forgotten window cannot hang a test.
void WhenModalOpens(std::function<void(QWidget* modal)> action, int timeoutMs = 5000);
