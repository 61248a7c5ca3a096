Q!
never printed
