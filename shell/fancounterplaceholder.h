#pragma once

class QWidget;

// Stands in for the fan counter window until it joins the program: its frame and caption.
QWidget* createFanCounterPlaceholder();
