// Anchors the test-support library; its helpers are header-only so far.
