#include "text/TextUtils.h"

void UppercaseText(Ptr textPtr, SInt16 len, SInt16 /*script*/)
{
    for (SInt16 i = 0; i < len; ++i) {
        if (textPtr[i] >= 'a' && textPtr[i] <= 'z')
            textPtr[i] = char(textPtr[i] - 'a' + 'A');
    }
}

void LowercaseText(Ptr textPtr, SInt16 len, SInt16 /*script*/)
{
    for (SInt16 i = 0; i < len; ++i) {
        if (textPtr[i] >= 'A' && textPtr[i] <= 'Z')
            textPtr[i] = char(textPtr[i] - 'A' + 'a');
    }
}
