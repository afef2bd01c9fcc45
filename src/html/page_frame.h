// The head and foot of every page.
#pragma once

void MenuTop();
void PageFooter();
void BackLink();
// The end of a page whose content stands in a centred block.
void CentredPageEnd();
