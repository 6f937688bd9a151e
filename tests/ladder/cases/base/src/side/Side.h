#pragma once
int side();
