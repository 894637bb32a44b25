#pragma once

class QWidget;

// When the shown `window` is first exposed, gives its backing store the window's size and all
// its memory at once, before the first paint writes every pixel of it. That paint otherwise
// takes a page fault for each page of the image (some 450 for the calculator at the offscreen
// default font), and on a virtual machine each costs microseconds. What the window shows is
// the same either way.
void prefaultPixelsAtFirstExpose(QWidget* window);
