// The head and foot of every page.
#pragma once

void MenuTop();
void PageFooter();
void BackLink();
