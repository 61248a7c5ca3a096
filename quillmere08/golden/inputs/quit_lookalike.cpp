Q!! xQ!	end Q!x
