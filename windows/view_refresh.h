#pragma once

// The refresh request to the Setup window (the private message WM_UPDATE_VIEWS).

// True while the Setup window exists.
bool SetupWindowExists();

// Posts the refresh request to the Setup window; does nothing when there is none.
void PostViewRefresh();
