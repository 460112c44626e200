#pragma once

class WebPage;

// "/examine.html": the answer to the pre-examination.
void handleExamine(WebPage& page);
