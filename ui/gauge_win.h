#pragma once
// Gauges: the vertical progress bar (the common control, with its own bar colour) and the horizontal
// bar gauge of the toolkit's own class, which prints its whole percentage in its middle. Both read
// their value back; the bar gauge's window text is the percentage it shows.

#include <windows.h>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

class Gauge {
public:
    explicit Gauge(HWND control = nullptr) : control_(control) {}
    explicit operator bool() const { return control_ != nullptr; }
    HWND Handle() const { return control_; }

    void SetRange(int minimum, int maximum);
    void SetPosition(int position);
    int Position() const;
    void SetBarColour(Colour colour);
    void SetBackground(Colour colour);

private:
    HWND control_;
};

inline constexpr const char* kBarGaugeClass = "TGauge";

void RegisterBarGaugeClass();
void PrepareVerticalGauge(FormHost& form, HWND control, const ControlSpec& design);
void PrepareBarGauge(FormHost& form, HWND control, const ControlSpec& design);

inline constexpr KindHooks kVerticalGaugeHooks{.prepare = PrepareVerticalGauge};
inline constexpr KindHooks kBarGaugeHooks{.prepare = PrepareBarGauge};

}  // namespace orvane::ui
