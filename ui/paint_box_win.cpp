#include "ui/paint_box_win.h"

#include "ui/form_host_win.h"

namespace orvane::ui {

void DrawPaintBox(FormHost& form, const ControlSpec& design, const DRAWITEMSTRUCT& draw) {
    form.RaisePaintBox(design.name, draw.hDC, draw.rcItem);
}

void DrawBevel(FormHost& form, const ControlSpec&, const DRAWITEMSTRUCT& draw) {
    RECT rect = draw.rcItem;
    FillRect(draw.hDC, &rect, form.BrushFor(form.Background()));
    DrawEdge(draw.hDC, &rect, EDGE_ETCHED, BF_RECT);
}

}  // namespace orvane::ui
