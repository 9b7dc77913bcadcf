#include "framework/MemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

CMemoryException::CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete) {}

CMemoryException::~CMemoryException() = default;

void AfxThrowMemoryException()
{
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}
