#pragma once

class WebPage;

// "/install_progress.html", "/percentage.html" and "/log.html".
void handleInstallProgress(WebPage& page);
void handlePercentage(WebPage& page);
void handleLog(WebPage& page);
