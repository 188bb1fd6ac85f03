// The program's message loop: runs until the quit message arrives.
#pragma once

void PumpMessages();
