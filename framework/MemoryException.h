// Out-of-memory, thrown as a pointer to one static object (no allocation while the heap is exhausted).
#pragma once
#include "framework/Exception.h"

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE);
    ~CMemoryException() override;
};

[[noreturn]] void AfxThrowMemoryException();
