#pragma once

class Tobject;

// Turns the separate cut lines and arcs that join end to end into one continuous cut that
// starts at the single selected line or arc: the pieces that join are moved right after
// it in cutting order, each is turned to run the path's way, the knife goes down once at
// the start of the selected piece and comes up once where the path ends. Without exactly
// one selected line or arc it shows "请先选择一条直线或弧线！" and changes nothing.
// Takes no undo snapshot. Returns whether the label was looked at (the view redraws it).
bool setPathStart(Tobject& document);
