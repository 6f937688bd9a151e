#pragma once
#include <QString>
int low();
