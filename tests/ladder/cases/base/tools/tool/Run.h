#pragma once
int run();
