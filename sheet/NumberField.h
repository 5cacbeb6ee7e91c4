// Reading the whole number a user typed into one of the Filter 1 page's threshold fields.
#pragma once

// The number at the start of text, read the way the C runtime's atol reads it: leading ASCII
// white space is skipped, one '+' or '-' is taken, then ASCII digits up to the first other
// character; whatever follows is ignored, and text without leading digits reads as 0.
// Full-width digits and a leading ideographic space are not digits or white space here, so
// they read as 0 too. A number beyond the range of a 32-bit signed integer reads as the
// nearest bound, INT32_MAX or INT32_MIN, rather than wrapping to an unrelated value.
int ReadNumberField(const char* text);
