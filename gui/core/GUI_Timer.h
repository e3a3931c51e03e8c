// Time, delays and software timers.
#pragma once
