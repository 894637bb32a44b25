#include "message.h"

Message countOverflowMessage()
{
    return {phrase("Messages",
                   QT_TRANSLATE_NOOP("Messages",
                                     "Overflow: this hand is worth more than the calculator "
                                     "can count. The results were left as they were.")),
            StopIcon};
}
