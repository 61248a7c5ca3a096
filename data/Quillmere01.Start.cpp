The quiet harbour wakes before the sun.
Fishermen mend their nets, and the gulls
circle the boats, calling to one another.
By noon the market is full of voices:
apples, bread, salt fish and warm bread again.
When the tide turns, the harbour grows quiet,
and the lamps along the quay are lit one by one.
