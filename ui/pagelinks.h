#pragma once
// The menu entries and link labels that lead to the maker's web pages: each opens its page when
// chosen or clicked, and does nothing else.

#include "shell/core/pageaddresses.h"

class QAction;
class LinkLabel;

namespace pageLinks {

void opensPage(QAction* entry, modHelp::WebPage page);
void opensPage(LinkLabel* label, modHelp::WebPage page);

} // namespace pageLinks
