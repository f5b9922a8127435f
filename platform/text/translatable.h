#pragma once

// Marks an English text for the translation catalogues without translating
// it, so data the Qt-free layers hold (templates, menus, painted labels,
// names) stays plain `const char*`. The windows translate such a text by
// its English source when they show it (platform/ui/translation.h).
// lupdate reads the mark as QT_TR_NOOP (-tr-function-alias), and because
// every mark stands at namespace scope its context is "halvo".
#define HALVO_TEXT(text) text
