// Props: the destructible objects, pickups, the patrol car, street junk in
// the foreground, the lamp post and the window overlays.
#include <algorithm>

#include "generators.h"

namespace dg {
namespace {

const Rgb kOut = Hex(0x0C0C10);

// A box seen slightly from above: front face and a top strip.
void Box(Layer& L, double x, double y, double w, double h, double top, Rgb c) {
    L.Rect(x, y + top, w, h - top);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(x, 0, x + w, 0, Mix(c, kWhite, 0.15), Scale(c, 0.6));
    if (top > 0) {
        L.Poly({x, y + top, x + 4, y, x + w - 4, y, x + w, y + top});
        L.StrokeKeep(kOut, 2);
        L.Fill(Mix(c, kWhite, 0.3));
    }
}

void Cylinder(Layer& L, double cx, double y, double rx, double h, Rgb c) {
    L.Rect(cx - rx, y + 3, 2 * rx, h - 6);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(cx - rx, 0, cx + rx, 0, Mix(c, kWhite, 0.35), Scale(c, 0.45));
    L.Ellipse(cx, y + 3, rx, 3);
    L.StrokeKeep(kOut, 1.6);
    L.Fill(Mix(c, kWhite, 0.25));
    L.Ellipse(cx, y + h - 3, rx, 3);
    L.Fill(Scale(c, 0.45));
}

// Jagged broken edge: cut the layer with a zigzag from (x0,y0) to (x1,y1) removing what lies above.
void Jag(Layer& L, double x0, double x1, double y, double depth, Rng& r) {
    cairo_save(L.cr);
    cairo_set_operator(L.cr, CAIRO_OPERATOR_CLEAR);
    cairo_move_to(L.cr, x0, -1);
    for (double x = x0; x <= x1; x += 4) cairo_line_to(L.cr, x, y + r.Range(0, depth));
    cairo_line_to(L.cr, x1, -1);
    cairo_close_path(L.cr);
    cairo_fill(L.cr);
    cairo_restore(L.cr);
}

void Scorch(Layer& L, Rng& r, int n, double x0, double x1, double y0, double y1) {
    for (int k = 0; k < n; ++k) {
        L.Ellipse(r.Range(x0, x1), r.Range(y0, y1), r.Range(2, 6), r.Range(2, 5));
        L.Colour(Hex(0x141010), 0.8);
        cairo_fill(L.cr);
    }
}

void Prop(Layer& L, int type, bool broken, Rng& r) {
    switch (type) {
    case 0: {  // window pane in its frame
        L.Rect(3, 1, 50, 56);
        L.StrokeKeep(kOut, 2);
        L.Fill(Hex(0x4A4036));
        // The panes hang along the upper floors, right under the heads-up
        // display: dark night glass with only a faint sheen.
        if (!broken) {
            L.Rect(7, 5, 42, 48);
            L.FillGradient(7, 5, 49, 53, Hex(0x34425A), Hex(0x141A28));
            L.Line(10, 40, 30, 8, Hex(0x5A6E88), 2);
            L.Line(18, 48, 40, 12, Hex(0x485A72), 1);
            L.Ellipse(38, 44, 3, 2);  // a street lamp mirrored in the glass
            L.Fill(Hex(0x6A5A3A));
        } else {
            L.Rect(7, 5, 42, 48);
            L.Fill(Hex(0x0C0E14));
            for (int k = 0; k < 5; ++k) {
                double x = r.Range(8, 44);
                L.Poly({x, 5, x + 6, 5, x + 3, 5 + r.Range(6, 14)});
                L.Fill(Hex(0x4A5A70));
            }
        }
        L.Rect(26, 1, 4, 56);
        L.Fill(Hex(0x3A3028));
        break;
    }
    case 1: {  // steel locker box
        Box(L, 10, 1, 36, 57, 4, Hex(0x5C7088));
        L.Rect(15, 12, 26, 16);
        L.StrokeKeep(kOut, 1.5);
        L.Fill(broken ? Hex(0x101418) : Hex(0x9AB0C8));
        L.Line(14, 34, 42, 34, Scale(Hex(0x5C7088), 0.5), 1.5);
        L.Line(14, 46, 42, 46, Scale(Hex(0x5C7088), 0.5), 1.5);
        if (broken) {
            L.Poly({30, 10, 50, 6, 52, 30, 34, 30});
            L.StrokeKeep(kOut, 1.6);
            L.Fill(Hex(0x4A5C70));
            Scorch(L, r, 6, 12, 44, 6, 56);
        }
        break;
    }
    case 2: {  // red fuel drum, tall
        Cylinder(L, 28, 1, 16, 58, Hex(0xB02418));
        L.Rect(12, 18, 32, 2);
        L.Fill(Hex(0x601008));
        L.Rect(12, 40, 32, 2);
        L.Fill(Hex(0x601008));
        L.Poly({28, 24, 34, 36, 22, 36});
        L.StrokeKeep(kOut, 1.2);
        L.Fill(Hex(0xF0C020));
        if (broken) {
            Jag(L, 8, 48, 6, 14, r);
            Scorch(L, r, 10, 12, 44, 10, 56);
            L.Line(28, 2, 28, 12, Hex(0x3A1A14), 4);
        }
        break;
    }
    case 3: {  // stacked wooden crates
        for (int k = 0; k < 2; ++k) {
            double y = 1 + k * 29;
            Box(L, 10, y, 36, 28, 0, Hex(0x9A6A38));
            L.Line(12, y + 3, 44, y + 25, Hex(0x6A4420), 2.5);
            L.Line(12, y + 9, 44, y + 9, Hex(0x6A4420), 1.2);
            L.Line(12, y + 19, 44, y + 19, Hex(0x6A4420), 1.2);
        }
        if (broken) {
            Jag(L, 8, 48, 8, 20, r);
            L.Line(27, 2, 24, 30, Hex(0x8A5A2C), 4);
            L.Line(27, 2, 24, 30, kOut, 1);
        }
        break;
    }
    case 4: {  // gas cylinder rack
        Box(L, 8, 8, 40, 50, 0, Hex(0x3A3E44));
        for (int k = 0; k < 3; ++k) Cylinder(L, 16 + k * 12, 1 + (k % 2) * 3, 5, 54, k == 1 ? Hex(0x2A70B0) : Hex(0xC0C4C8));
        L.Rect(8, 30, 40, 3);
        L.Fill(Hex(0xE0B020));
        if (broken) {
            Jag(L, 6, 50, 4, 16, r);
            Scorch(L, r, 12, 10, 46, 6, 56);
            L.Line(27, 1, 30, 24, kOut, 5);
            L.Line(27, 1, 30, 24, Hex(0x8A8E94), 3);
        }
        break;
    }
    case 5: {  // propane tank on legs
        L.Line(16, 58, 20, 40, kOut, 4);
        L.Line(40, 58, 36, 40, kOut, 4);
        L.Rect(14, 1, 28, 46);
        L.StrokeKeep(kOut, 2);
        L.FillGradient(14, 0, 42, 0, Hex(0xF0F0E8), Hex(0x8A8A84));
        L.Rect(14, 20, 28, 3);
        L.Fill(Hex(0xC03020));
        L.Rect(24, 0, 8, 4);
        L.Fill(Hex(0x5A5E64));
        if (broken) {
            Jag(L, 12, 44, 3, 12, r);
            L.Line(29, 1, 26, 20, kOut, 5);
            L.Line(29, 1, 26, 20, Hex(0xC8C8C0), 3);
            L.Ellipse(28, 24, 8, 10);
            L.Fill(Hex(0x1A1816));
            Scorch(L, r, 8, 16, 40, 4, 44);
        }
        break;
    }
    case 6: {  // grave lantern: stone post with a lamp house
        L.Rect(20, 10, 16, 48);
        L.StrokeKeep(kOut, 2);
        L.FillGradient(20, 0, 36, 0, Hex(0xA8A8A0), Hex(0x5A5A54));
        L.Poly({14, 10, 28, 1, 42, 10});
        L.StrokeKeep(kOut, 2);
        L.Fill(Hex(0x8A8A82));
        L.Rect(23, 14, 10, 10);
        L.Fill(broken ? Hex(0x1A1A1A) : Hex(0xF0C060));
        L.Rect(14, 52, 28, 6);
        L.StrokeKeep(kOut, 2);
        L.Fill(Hex(0x70706A));
        if (broken) {
            Jag(L, 10, 46, 2, 18, r);
            L.Line(26, 2, 30, 20, Hex(0x7A7A72), 4);
        }
        break;
    }
    case 7: {  // steel cargo crate
        Box(L, 8, 1, 40, 57, 5, Hex(0x6A7480));
        for (int k = 0; k < 4; ++k) L.Line(14 + k * 9, 8, 14 + k * 9, 56, Hex(0x4A525C), 2);
        L.Rect(18, 24, 20, 8);
        L.Fill(Hex(0xE0B020));
        if (broken) {
            L.Poly({8, 6, 30, 1, 34, 14, 8, 18});
            L.StrokeKeep(kOut, 1.6);
            L.Fill(Hex(0x3A4048));
            Scorch(L, r, 5, 12, 44, 8, 56);
        }
        break;
    }
    case 8:
    case 9: {  // boardroom table halves, top seen from above the front
        bool left = type == 8;
        double x0 = left ? 4 : 0, x1 = left ? 56 : 52;
        L.Poly({x0, 2, x1, 2, x1, 30, x0, 30});
        L.StrokeKeep(kOut, 2);
        L.FillGradient(0, 2, 0, 30, Hex(0x8A4A24), Hex(0x4A2410));
        L.Rect(x0, 30, x1 - x0, 8);
        L.StrokeKeep(kOut, 2);
        L.Fill(Hex(0x3A1C0C));
        L.Rect(left ? 10 : 40, 38, 6, 20);
        L.StrokeKeep(kOut, 2);
        L.Fill(Hex(0x2A140A));
        L.Line(x0 + 2, 8, x1 - 2, 8, Hex(0xB06A3A), 1.2);
        if (broken) {
            Jag(L, x0, x1, 2, 14, r);
            L.Line(28, 1, 22, 28, Hex(0x6A3418), 4);
        }
        break;
    }
    case 10: {  // terminal on a stand, narrow
        L.Rect(26, 24, 4, 32);
        L.StrokeKeep(kOut, 1.6);
        L.Fill(Hex(0x5A5E66));
        L.Rect(21, 1, 15, 22);
        L.StrokeKeep(kOut, 2);
        L.Fill(Hex(0x3A3E46));
        L.Rect(22.5, 3, 12, 14);
        L.Fill(broken ? Hex(0x101010) : Hex(0x30C0A0));
        if (!broken) {
            for (int k = 0; k < 4; ++k) L.Line(24, 5 + k * 3, 24 + 3 + k * 2, 5 + k * 3, Hex(0xB0FFE8), 1);
        } else {
            L.Line(23, 4, 34, 16, Hex(0xC0C8D0), 1);
            L.Line(34, 4, 24, 15, Hex(0xC0C8D0), 1);
            L.Ellipse(28, 10, 2, 2);
            L.Fill(Hex(0xFFE080));
        }
        L.Rect(21, 54, 14, 4);
        L.StrokeKeep(kOut, 1.5);
        L.Fill(Hex(0x4A4E56));
        break;
    }
    case 11: {  // office desk with a lamp
        L.Poly({6, 16, 50, 16, 52, 30, 4, 30});
        L.StrokeKeep(kOut, 2);
        L.FillGradient(0, 16, 0, 30, Hex(0xA07040), Hex(0x6A4420));
        L.Rect(6, 30, 44, 26);
        L.StrokeKeep(kOut, 2);
        L.Fill(Hex(0x5A3818));
        L.Rect(30, 34, 16, 8);
        L.StrokeKeep(kOut, 1.2);
        L.Fill(Hex(0x6A4420));
        L.Line(22, 16, 26, 3, kOut, 2.5);
        L.Poly({22, 1, 34, 1, 32, 7, 24, 7});
        L.StrokeKeep(kOut, 1.4);
        L.Fill(broken ? Hex(0x3A3A3A) : Hex(0x2A7A4A));
        if (broken) {
            Jag(L, 4, 54, 14, 16, r);
            L.Line(28, 2, 26, 30, Hex(0x7A5028), 4);
        }
        break;
    }
    }
}

void Destructables(Sheet& s, Rng& r) {
    for (int c = 0; c < 24; ++c) {
        Layer L(56, 60);
        Prop(L, c / 2, c % 2 == 1, r);
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

void Collectables(Sheet& s, Rng&) {
    for (int c = 0; c < 8; ++c) {
        Layer L(23, 51);
        L.Ellipse(11.5, 46, 9, 2);  // contact shadow
        L.Fill(Hex(0x101014));
        switch (c) {
        case 0:  // extra life: helmet head canister
            Box(L, 4, 26, 15, 20, 0, Hex(0x8A9AB4));
            L.Ellipse(11.5, 22, 7, 7);
            L.StrokeKeep(kOut, 2);
            L.FillGradient(5, 15, 18, 29, Hex(0xD0DAEA), Hex(0x5A6680));
            L.Rect(6, 19, 11, 3);
            L.Fill(Hex(0x60D8FF));
            break;
        case 1:  // energy cell with a cross
            Box(L, 3, 16, 17, 30, 3, Hex(0x30A040));
            L.Rect(9.5, 24, 4, 14);
            L.Fill(kWhite);
            L.Rect(4.5, 29, 14, 4);
            L.Fill(kWhite);
            break;
        case 2: case 3: case 5: {  // ammunition crates
            Rgb col = c == 2 ? Hex(0x8A7A30) : c == 3 ? Hex(0x306A8A) : Hex(0x8A3A20);
            Box(L, 2, 22, 19, 24, 4, col);
            if (c == 2)
                for (int k = -1; k <= 1; ++k) L.Line(11.5, 40, 11.5 + k * 5, 29, Hex(0xF0F0D0), 1.6);
            if (c == 3) L.Line(5, 35, 18, 35, Hex(0xC0F0FF), 2);
            if (c == 5) {
                L.Ellipse(11.5, 35, 4, 5);
                L.FillRadial(11.5, 36, 5, Hex(0xFFE060), Hex(0xE02010));
            }
            break;
        }
        case 4:  // clock
            L.Ellipse(11.5, 31, 9, 9);
            L.StrokeKeep(kOut, 2);
            L.Fill(Hex(0xE8E4D8));
            L.Line(11.5, 31, 11.5, 25, kOut, 1.6);
            L.Line(11.5, 31, 16, 31, kOut, 1.6);
            L.Rect(9, 40, 5, 6);
            L.Fill(Hex(0x8A8A90));
            break;
        case 6:  // hourglass
            L.Poly({4, 16, 19, 16, 13, 31, 19, 46, 4, 46, 10, 31});
            L.StrokeKeep(kOut, 2);
            L.Fill(Hex(0x70A8F0));
            L.Poly({7, 42, 16, 42, 11.5, 34});
            L.Fill(Hex(0xF0E0A0));
            L.Rect(3, 14, 17, 3);
            L.Fill(Hex(0x6A4420));
            L.Rect(3, 45, 17, 3);
            L.Fill(Hex(0x6A4420));
            break;
        case 7:  // radio beacon
            Box(L, 4, 28, 15, 18, 0, Hex(0x4A4E58));
            L.Line(11.5, 28, 11.5, 14, kOut, 2);
            L.Ellipse(11.5, 14, 2.5, 2.5);
            L.Fill(Hex(0xFF3030));
            L.Rect(7, 32, 9, 4);
            L.Fill(Hex(0x40E060));
            break;
        }
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

void Cruiser(Sheet& s, Rng&) {
    for (int c = 0; c < 2; ++c) {
        Layer L(111, 70);
        // Body of the patrol car, facing right; wheels touch row 69.
        L.Poly({3, 52, 4, 38, 28, 34, 40, 22, 76, 22, 90, 34, 107, 38, 108, 54});
        L.StrokeKeep(kOut, 2);
        L.FillGradient(0, 22, 0, 54, Hex(0xE8ECF0), Hex(0x8A9098));
        L.Rect(4, 42, 104, 10);
        L.Fill(Hex(0x1A2A5A));
        L.Poly({43, 25, 56, 25, 56, 34, 33, 34});
        L.Fill(Hex(0x30404C));
        L.Poly({60, 25, 74, 25, 85, 34, 60, 34});
        L.Fill(Hex(0x30404C));
        L.Rect(104, 40, 4, 3);
        L.Fill(Hex(0xFFF0B0));
        L.Rect(3, 40, 3, 3);
        L.Fill(Hex(0xC02020));
        // Light bar: red and blue swap between the two cells.
        L.Rect(48, 17, 10, 5);
        L.StrokeKeep(kOut, 1.2);
        L.Fill(c == 0 ? Hex(0xFF2020) : Hex(0x2040FF));
        L.Rect(58, 17, 10, 5);
        L.StrokeKeep(kOut, 1.2);
        L.Fill(c == 0 ? Hex(0x2040FF) : Hex(0xFF2020));
        for (double wx : {24.0, 86.0}) {
            L.Ellipse(wx, 58, 11, 11);
            L.Fill(Hex(0x0E0E12));
            L.Ellipse(wx, 58, 5.5, 5.5);
            L.Fill(Hex(0x9098A0));
        }
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

// ------------------------------------------------------------ foreground junk
void FenceBarb(Sheet& s, Rng&) {
    Layer L(152, 80);
    for (double x : {4.0, 76.0, 148.0}) L.Line(x, 10, x, 80, Hex(0x50545A), 4);
    for (int k = -20; k < 40; ++k) {
        L.Line(k * 6, 14, k * 6 + 66, 80, Hex(0x6A6E74), 1);
        L.Line(k * 6 + 66, 14, k * 6, 80, Hex(0x6A6E74), 1);
    }
    L.Line(0, 14, 152, 14, Hex(0x50545A), 3);
    for (int k = 0; k < 38; ++k) {
        double x = k * 4;
        L.Line(x, 6 + (k % 2) * 4, x + 4, 6 + ((k + 1) % 2) * 4, Hex(0x9A9EA4), 1.2);
    }
    L.StampHard(s, 0, 0, 150);
}

void FenceDark(Sheet& s, Rng&) {
    Layer L(146, 79);
    L.Rect(0, 4, 146, 5);
    L.Fill(Hex(0x26282C));
    L.Rect(0, 60, 146, 4);
    L.Fill(Hex(0x26282C));
    for (int k = 0; k < 13; ++k) {
        L.Rect(2 + k * 11, 0, 4, 79);
        L.Fill(Hex(0x303338));
        L.Rect(2 + k * 11, 0, 1.5, 79);
        L.Fill(Hex(0x4A4E54));
    }
    L.StampHard(s, 0, 0);
}

void Trashcan(Sheet& s, Rng&) {
    Layer L(27, 22);
    Cylinder(L, 13.5, 2, 12, 24, Hex(0x7A8088));
    L.Rect(10, 0, 7, 3);
    L.Fill(Hex(0x5A6068));
    L.StampHard(s, 0, 0);
}
void OilDrum(Sheet& s, Rng&) {
    Layer L(25, 22);
    Cylinder(L, 12.5, 1, 11.5, 26, Hex(0x2A5A3A));
    L.Rect(1, 12, 23, 2);
    L.Fill(Hex(0x183820));
    L.StampHard(s, 0, 0);
}
void Tyres(Sheet& s, Rng&) {
    Layer L(71, 29);
    for (int k = 0; k < 3; ++k) {
        double x = 14 + k * 21, y = 16 - (k == 1) * 6;
        L.Ellipse(x, y, 13, 12);
        L.Fill(Hex(0x141416));
        L.Ellipse(x, y, 5, 4.5);
        L.Fill(Hex(0x34363A));
        L.Ellipse(x - 3, y - 4, 6, 3);
        L.Colour(Hex(0x3A3C40), 0.8);
        cairo_fill(L.cr);
    }
    L.StampHard(s, 0, 0);
}
void Binx3(Sheet& s, Rng&) {
    Layer L(61, 22);
    const Rgb cols[3] = {Hex(0x2A5A2A), Hex(0x2A3A6A), Hex(0x5A5A5A)};
    for (int k = 0; k < 3; ++k) {
        Box(L, 1 + k * 20, 2, 19, 24, 3, cols[k]);
    }
    L.StampHard(s, 0, 0);
}
void BinTyreDrum(Sheet& s, Rng&) {
    Layer L(148, 29);
    Box(L, 2, 2, 40, 30, 4, Hex(0x3A5A3A));
    for (int k = 0; k < 2; ++k) {
        L.Ellipse(62 + k * 22, 17, 12, 11);
        L.Fill(Hex(0x141416));
        L.Ellipse(62 + k * 22, 17, 4.5, 4);
        L.Fill(Hex(0x34363A));
    }
    Cylinder(L, 126, 1, 14, 32, Hex(0x9A3A20));
    L.StampHard(s, 0, 0);
}
void DrumStack(Sheet& s, Rng&) {
    Layer L(49, 56);
    Cylinder(L, 12.5, 28, 11.5, 30, Hex(0x2A4A7A));
    Cylinder(L, 36.5, 28, 11.5, 30, Hex(0x8A2A1A));
    Cylinder(L, 24.5, 1, 11.5, 28, Hex(0x3A6A3A));
    L.StampHard(s, 0, 0);
}

void LampPost(Sheet& s, Rng&) {
    Layer L(64, 182);
    const Rgb pole = Hex(0x3A3E46);
    L.Rect(36, 10, 10, 172);
    L.FillGradient(36, 0, 46, 0, Hex(0x6A707A), Hex(0x22252A));
    L.Line(41, 12, 18, 8, pole, 5);
    // Lamp head with its glass left black so the glow shows through.
    L.Poly({0, 14, 4, 4, 20, 2, 24, 12, 22, 18, 2, 18});
    L.Fill(Hex(0x4A4E56));
    L.Rect(36, 170, 10, 12);
    L.Fill(Hex(0x2A2D32));
    L.StampHard(s, 0, 0);
    for (int y = 10; y <= 17; ++y)
        for (int x = 4; x <= 19; ++x) s.Clear(x, y);  // the glass
}

void WindowOverlay(Sheet& s, Rng& r) {
    Layer L(120, 64);
    L.Rect(1, 1, 118, 62);
    L.Stroke(Hex(0x5A5E66), 2);
    L.Line(60, 0, 60, 64, Hex(0x6A6E76), 4);
    L.Line(0, 30, 120, 30, Hex(0x6A6E76), 3);
    for (int k = 0; k < 3; ++k) {
        double x = 15 + k * 38;
        L.Line(x, 60, x + 24, 4, Hex(0x7A8088), 1.2);
    }
    for (int k = 0; k < 25; ++k) {
        L.Ellipse(r.Range(3, 117), r.Range(3, 61), 0.8, 0.8);
        L.Fill(Hex(0x4A4A44));
    }
    L.StampHard(s, 0, 0, 110);
}

void WindowSmall(Sheet& s, Rng&) {
    Layer L(44, 44);
    L.Rect(1, 1, 42, 42);
    L.Stroke(Hex(0x5A5E66), 2);
    L.Line(22, 0, 22, 44, Hex(0x60646C), 3);
    L.Line(0, 22, 44, 22, Hex(0x60646C), 2);
    L.Line(4, 40, 18, 26, Hex(0x7A8088), 1);
    L.StampHard(s, 0, 0, 110);
}

}  // namespace

void AddPropImages(Generators& g) {
    auto& m = g.images;
    m["Data/Graphics/System/Destructables.png"] = Destructables;
    m["Data/Graphics/System/Collectables.png"] = Collectables;
    m["Data/Graphics/Levels/Street/Cruiser.png"] = Cruiser;
    m["Data/Graphics/Levels/Street/FenceBarb.png"] = FenceBarb;
    m["Data/Graphics/Levels/Street/FenceDark.png"] = FenceDark;
    m["Data/Graphics/Levels/Street/Trashcan.png"] = Trashcan;
    m["Data/Graphics/Levels/Street/Tyres.png"] = Tyres;
    m["Data/Graphics/Levels/Street/OilDrum.png"] = OilDrum;
    m["Data/Graphics/Levels/Street/BinTyreDrum.png"] = BinTyreDrum;
    m["Data/Graphics/Levels/Street/Binx3.png"] = Binx3;
    m["Data/Graphics/Levels/Street/DrumStack.png"] = DrumStack;
    m["Data/Graphics/Levels/Street/LampPost.png"] = LampPost;
    m["Data/Graphics/Levels/Street/Window.png"] = WindowOverlay;
    m["Data/Graphics/Levels/Factory/Windowsmall.png"] = WindowSmall;
}

}  // namespace dg
