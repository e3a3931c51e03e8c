// Fonts, text output, character encodings and number output.
#pragma once
