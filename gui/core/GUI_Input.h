// Key and pointer input stores.
#pragma once
