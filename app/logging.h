#pragma once

#include <QLoggingCategory>

// Technical detail for developers; users see one message per failure instead.
Q_DECLARE_LOGGING_CATEGORY(lcMerovi)
