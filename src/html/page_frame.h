// The foot of every page, and the back link of the page head.
#pragma once

void PageFooter();
// The footer and the end of the document.
void PageEnd();
// The end of a page whose content stands in a centred block.
void CentredPageEnd();
void BackLink();
