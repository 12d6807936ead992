#pragma once
// What a window's keystroke handler decides about a key before its box sees it.

enum class Keystroke { Keep, Discard };
