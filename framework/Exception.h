// Base of the framework's exceptions; thrown by pointer, released with Delete().
#pragma once
#include "framework/Object.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE);
    ~CException() override;

    // Frees a heap exception; static ones (bAutoDelete FALSE) stay.
    void Delete();

    BOOL m_bAutoDelete;
};
