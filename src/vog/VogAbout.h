#pragma once

class QWidget;

// The control's About box: name, version and what it is for; modal over `parent`.
void showAboutBox(QWidget *parent);
