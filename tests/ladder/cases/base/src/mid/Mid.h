#pragma once
int mid();
