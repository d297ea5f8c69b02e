#pragma once

class QWidget;

// Places a window at (left, top), as wide as the screen less widthLess and as high as the screen
// less heightLess.
void PencereYerlestir(QWidget *window, int left, int top, int widthLess, int heightLess);
