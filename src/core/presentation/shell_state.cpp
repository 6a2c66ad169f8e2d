#include "presentation/shell_state.h"

namespace quorel {

bool FlashCounter::tick()
{
    if (!enabled)
        return false;
    if (++ticks >= kFlashes) {
        ticks = 0;
        enabled = false;
    }
    return true;
}

void MemoEditState::focusIn()
{
    entered = true;
    editMenuEnabled = true;
}

void MemoEditState::focusOut()
{
    editMenuEnabled = false;
}

bool MemoEditState::acts(MemoCommand command) const
{
    return command == MemoCommand::Undo || entered;
}

const char* ShellState::toggleSound()
{
    soundOn = soundOn == 1 ? 0 : 1;
    return soundGlyph(soundOn);
}

const char* soundGlyph(int soundOn)
{
    return soundOn == 1 ? "ImageSON" : "ImageSOFF";
}

int largeFontsForDpi(double logicalDpi)
{
    return logicalDpi >= 120.0 ? 1 : 0;
}

int drawnViewFontPoints(int largeFonts)
{
    return largeFonts == 1 ? 8 : 10;
}

std::vector<std::string> memoLinesFromText(std::string_view text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;   // CR LF ends a line like LF
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

std::string memoTextFromLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace quorel
