#include "presentation/ecg_time_axis.h"

#include "text/number_text.h"

namespace quorel {

namespace {

TickClass classOf(int ms)
{
    if (ms % 1000 == 0)
        return TickClass::Second;
    if (ms % 500 == 0)
        return TickClass::Half;
    return TickClass::Tenth;
}

EcgTick tickAt(const EcgView& view, int x, TickClass tickClass)
{
    const int H = view.height;
    EcgTick tick;
    tick.x = x;
    tick.tickClass = tickClass;
    switch (tickClass) {
    case TickClass::Tenth:
        tick.topY = H - 5;
        tick.penWidth = 1;
        break;
    case TickClass::Half:
        tick.topY = H - 9;
        tick.penWidth = 2;
        break;
    case TickClass::Second:
        tick.topY = H - 13;
        tick.penWidth = 2;
        break;
    }
    // The column's last millisecond + 1 in whole seconds.
    tick.seconds = (columnMilliseconds(view, x).last + 1) / 1000;
    tick.textX = x + 3;
    tick.textY = H - 20;
    return tick;
}

}  // namespace

TickClass tickClassOf(int ms)
{
    return classOf(ms);
}

bool columnTickClass(const EcgView& view, int x, TickClass& tickClass)
{
    const MsRange range = columnMilliseconds(view, x);
    if (range.last < 0)
        return false;
    const int lastHundred = range.last / 100 * 100;
    if (lastHundred < range.first)
        return false;
    tickClass = classOf(lastHundred);
    return true;
}

void ecgTimeAxis(const EcgView& view, std::vector<EcgTick>& ticks)
{
    ticks.clear();
    if (view.width <= 0)
        return;
    // Walk the multiples of 100 rather than every column: the start is never negative,
    // and a column of at most 10 ms holds at most one of them.
    const int firstHundred = (view.startMs + 99) / 100 * 100;
    const int endMs = view.startMs + view.width * view.msPerPixel;
    for (int ms = firstHundred; ms < endMs; ms += 100) {
        const int x = columnOfMillisecond(view, ms);
        if (!ticks.empty() && ticks.back().x == x)
            ticks.back() = tickAt(view, x, classOf(ms));  // the last one in a column wins
        else
            ticks.push_back(tickAt(view, x, classOf(ms)));
    }
}

std::string ecgSecondsText(int seconds)
{
    return fixedText(static_cast<double>(seconds), 3);
}

}  // namespace quorel
