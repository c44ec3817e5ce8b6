#pragma once

#include <string>

// The event report (--report FILE): what happens, one JSON object a line, each written and flushed as it
// happens with "t", the game clock in ms since the report began, and "event": "screen" when a screen
// becomes the current one, "level_start" and "level_end", "player" when another player becomes the
// current one, "dialog" when a dialog opens (with its name), "purchase" when a shop item is bought (its
// id, price and the gold left), and "tip" and "story" (with the "key" of the tip or of the story's text)
// when one comes up. exitOn, when not empty, ends the game after the first event of that name, or of the
// form "event:name" for an event with that "name" field ("screen:credits"). False with a message when the
// file cannot be made.
bool InstallEventReport(const std::string& path, const std::string& exitOn, std::string& error);
